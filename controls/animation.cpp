#include <tabard/controls/animation.h>

#include <tabard/controls/general.h>
#include <tabard/controls/message_shapes.h>

namespace tabard {

LRESULT AcmOpenA(HWND animation, const char* name) { return SendPlain(animation, ACM_OPENA, 0, name); }
LRESULT AcmOpenA(HWND animation, HINSTANCE instance, const char* name) {
  return SendPlain(animation, ACM_OPENA, instance, name);
}
LRESULT AcmPlay(HWND animation, int32_t from, int32_t to, int32_t repeat) {
  return SendPacked(animation, ACM_PLAY, repeat, from, to);
}
LRESULT AcmStop(HWND animation) { return SendPlain(animation, ACM_STOP); }
LRESULT AnimationClose(HWND animation) { return AcmOpenA(animation, nullptr); }
LRESULT AnimationSeek(HWND animation, int32_t frame) { return AcmPlay(animation, frame, frame, 1); }

void AnimationCreate(HWND parent, int32_t id, uint32_t style, HINSTANCE instance) {
  WindowCreate(ANIMATE_CLASSA, nullptr, style, 0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
               instance, nullptr);
}

}  // namespace tabard
