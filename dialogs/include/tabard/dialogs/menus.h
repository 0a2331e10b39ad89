#pragma once
/// @file
/// Menu bars and pop-up menus whose text items carry callbacks. Menus are the
/// system's own objects; an item's callback lives in the item's data, where the
/// dialog procedure finds it when the item is chosen.
///
/// Texts going in are taken from the top of the caller's stack of temporaries and
/// consumed; texts coming out are pushed there.
#include <cstdint>

#include <tabard/base/procedure_frame.h>
#include <tabard/dialogs/dialog_types.h>
#include <tabard/platform/system_types.h>

namespace tabard {
/// @addtogroup dialogs
/// @{

/// Bits of the flags argument of the item operations.
enum MenuItemFlags : uint32_t {
  kMenuItemOpensPopup = 1,   ///< MenuAddItem: the identifier argument is a pop-up menu
  kMenuItemByIdentifier = 2,  ///< the item argument is an identifier, not a position
};

/// A menu bar for popupFlag 0, else a pop-up menu.
HMENU MenuCreate(uint32_t popupFlag);
/// Inserts into `menu` an item with the text on top of the stack (consumed) before
/// the 1-based `position` (0: after the last item), or before the item with that
/// identifier when the flags say so. `identifierOrPopup` is the item's identifier,
/// or the pop-up menu it opens with kMenuItemOpensPopup; `state` its MFS_ bits;
/// `callback` (or nullptr) is called when it is chosen. The text "-" makes a
/// separator, which keeps no identifier, state or callback. Non-zero on success.
BOOL MenuAddItem(ProcedureFrame& frame, HMENU menu, UINT_PTR identifierOrPopup, uint32_t state, int32_t position,
                 DialogCallback callback, uint32_t flags);
/// Makes `menu` the menu bar of `window`; non-zero on success. The window destroys
/// it with itself.
BOOL MenuAttach(HWND window, HMENU menu);
/// Redraws the menu bar of `window` after a change; non-zero on success.
BOOL MenuRedrawBar(HWND window);
/// Deletes `item` of `menu`: the system's 0-based position, or an identifier when
/// `flags` has kMenuItemByIdentifier (as for every operation below). Non-zero on
/// success.
BOOL MenuDeleteItem(HMENU menu, uint32_t item, uint32_t flags);
/// The state bits of `item` of `menu` (position or identifier as `flags` says), 0
/// when there is no such item.
uint32_t MenuGetState(HMENU menu, uint32_t item, uint32_t flags);
/// Sets the state bits (MFS_) of `item` of `menu` to `state`.
void MenuSetState(HMENU menu, uint32_t item, uint32_t state, uint32_t flags);
/// Pushes the whole text of `item` of `menu`, whatever its length, a new owned
/// string; the empty string when there is no such item.
void MenuGetText(ProcedureFrame& frame, HMENU menu, uint32_t item, uint32_t flags);
/// Sets the text of `item` of `menu` to the text on top of the stack, which is
/// consumed.
void MenuSetText(ProcedureFrame& frame, HMENU menu, uint32_t item, uint32_t flags);

/// @}
}  // namespace tabard
