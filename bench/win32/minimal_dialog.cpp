// The smallest program that shows the demo's dialog: the same template, created
// and shown with direct system calls and no runtime. It gives the start-up time
// the demo is measured against.
#include <windows.h>

#include <cstring>

namespace {

INT_PTR CALLBACK Procedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

size_t PutWide(unsigned char* at, const char* text) {
  size_t written = 0;
  do {
    at[written++] = static_cast<unsigned char>(*text);
    at[written++] = 0;
  } while (*text++ != '\0');
  return written;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  alignas(4) unsigned char bytes[256] = {};
  auto* header = reinterpret_cast<DLGTEMPLATE*>(bytes);
  header->style = WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME | DS_SETFONT;
  header->cx = 398;
  header->cy = 317;
  size_t at = sizeof(DLGTEMPLATE) + 4;  // no menu, the default class
  at += PutWide(bytes + at, "Demo listbox with Colomns");
  bytes[at] = 8;
  at += 2;
  PutWide(bytes + at, "MS Sans Serif");
  HWND dialog = CreateDialogIndirectParamA(instance, header, nullptr, Procedure, 0);
  ShowWindow(dialog, SW_SHOW);
  MSG message;
  while (IsWindow(dialog) && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return 0;
}
