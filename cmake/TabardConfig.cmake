# The Tabard toolkit: Tabard::core (strings, numbers, masks, errors, memory and
# arrays), Tabard::runtime (start-up and the message box), Tabard::dialogs (the
# dialog toolkit) and Tabard::controls (the control message wrappers). Each
# brings the system libraries it needs.
include(${CMAKE_CURRENT_LIST_DIR}/TabardTargets.cmake)
