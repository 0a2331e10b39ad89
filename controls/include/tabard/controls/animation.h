#pragma once
/// @file
/// Animation-control wrappers, in library order: creating the control, opening
/// a clip, playing and stopping it, and the shortcuts built on them.
#include <cstdint>

#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup controls_animation
/// @{

/// A child of `parent` with the animation class, no title and no size; the new
/// window is not handed back.
void AnimationCreate(HWND parent, int32_t id, uint32_t style, HINSTANCE instance);
/// Sends `ACM_OPENA`.
/// A null name closes the clip.
LRESULT AcmOpenA(HWND animation, const char* name);
/// Sends `ACM_OPENA`: opens the clip named `name` from `instance` (a file when
/// `instance` is null); non-zero on success.
LRESULT AcmOpenA(HWND animation, HINSTANCE instance, const char* name);
/// Sends `ACM_PLAY`.
/// Frames from and to go packed into lParam, the repeat count into wParam.
LRESULT AcmPlay(HWND animation, int32_t from, int32_t to, int32_t repeat);
/// Sends `ACM_STOP`: stops the clip; non-zero on success.
LRESULT AcmStop(HWND animation);
/// Closes the clip: AcmOpenA with a null name.
LRESULT AnimationClose(HWND animation);
/// Shows one frame: plays from it to it, once.
LRESULT AnimationSeek(HWND animation, int32_t frame);

/// @}
}  // namespace tabard
