#include <tabard/dialogs/dialog_create.h>

#include <tabard/base/runtime_block.h>
#include <tabard/dialogs/consumed_text.h>
#include <tabard/dialogs/dialog_procedure.h>
#include <tabard/dialogs/dialog_template.h>
#include <tabard/platform/win32_dialogs.h>

namespace tabard {

DialogHandle DialogCreate(ProcedureFrame& frame, HWND parent, int32_t x, int32_t y, int32_t width, int32_t height,
                          uint32_t style, uint32_t exStyle) {
  const ConsumedText title = TakeTemporary(frame);
  HWND dialog = nullptr;
  {
    DialogTemplateBuffer buffer;
    DialogTemplateBuild(buffer, {title.text.bytes, title.text.length, x, y, width, height, style, exStyle});
    dialog = platform::CreateDialogIndirectParam(static_cast<HINSTANCE>(runtimeBlock.moduleInstance),
                                                 reinterpret_cast<const DLGTEMPLATE*>(buffer.bytes), parent,
                                                 DialogProcedure, 0);
  }
  runtimeBlock.dialogFont = reinterpret_cast<void*>(platform::SendMessage(dialog, WM_GETFONT, 0, 0));
  ReleaseTemporary(title);
  return dialog;
}

}  // namespace tabard
