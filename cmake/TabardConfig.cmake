# The Tabard toolkit, one library per layer, each bringing those below it and the
# system libraries it needs: Tabard::platform, Tabard::base (the procedure frame,
# dynamic strings, runtime errors), Tabard::text (strings, numbers, masks),
# Tabard::runtime (memory and array blocks, start-up, the message box),
# Tabard::dialogs (the dialog toolkit) and Tabard::controls (the control message
# wrappers). Tabard::entry, linked by a GUI program that asks for it, makes the
# runtime's entry point the program's own. Headers: <tabard/LAYER/...>; names:
# namespace tabard.
include(${CMAKE_CURRENT_LIST_DIR}/TabardTargets.cmake)
