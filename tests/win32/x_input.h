#pragma once
// Real input through the X server, as a person gives it: xdotool, started as a Unix
// program (Wine starts non-Windows programs natively), run to its end.
#include <functional>
#include <optional>
#include <string>

#include "platform/win32_api.h"

// Runs `xdotool ARGUMENTS` (commands may be chained); true when it exited with 0.
bool XdoTool(const std::string& arguments, DWORD timeoutMs = 10000);
// " mousemove X Y" to the centre of `window`, or `dy` below its top, as it stands in a chain of commands.
std::string MoveTo(HWND window, int dy = -1);
// The window made the foreground one and the pointer put over it (the X server sends keys there), then the key.
bool XKeyTo(HWND window, const char* keyName);

// Runs `show` while another thread plays the user: waits for the visible box, reads its text and presses `key` on
// it. The text; none when the box never came or the key went astray (the box is then closed by force).
std::optional<std::string> AnswerBoxWhile(const char* caption, const char* key, const std::function<void()>& show);
