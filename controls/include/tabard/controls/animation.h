#pragma once
// Animation-control wrappers, in library order: creating the control, opening
// a clip, playing and stopping it, and the shortcuts built on them.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {

// A child of `parent` with the animation class, no title and no size; the new
// window is not handed back.
void AnimationCreate(HWND parent, int32_t id, uint32_t style, HINSTANCE instance);
// A null name closes the clip.
LRESULT AcmOpenA(HWND animation, const char* name);
LRESULT AcmOpenA(HWND animation, HINSTANCE instance, const char* name);
// Frames from and to go packed into lParam, the repeat count into wParam.
LRESULT AcmPlay(HWND animation, int32_t from, int32_t to, int32_t repeat);
LRESULT AcmStop(HWND animation);
LRESULT AnimationClose(HWND animation);
// Shows one frame: plays from it to it, once.
LRESULT AnimationSeek(HWND animation, int32_t frame);

}  // namespace tabard
