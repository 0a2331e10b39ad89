#pragma once
// The demo's string literals, in the order the program's pool holds them.
#include <tabard/text/literal_pool.h>

inline constexpr auto kDemoLiterals = tabard::MakeLiteralPool(
    "SysListView32", "SysAnimate32", "Demo listbox with Colomns", "Cancel", "", "Item", "Kolom 2", "Kolom 3",
    "Centreer", "Links", "Rechts", "Item ", "##", " - Testtekst1", "Testtekst2", "Testtekst3", "Testtekst4",
    "Testtekst5", "TestTekst6", "Number of elements in the listview: ");

enum DemoLiteralId : size_t {
  kListViewClass,
  kAnimateClass,
  kDialogTitle,
  kCancelText,
  kEmptyText,
  kHeaderItem,
  kHeaderKolom2,
  kHeaderKolom3,
  kHeaderCentreer,
  kHeaderLinks,
  kHeaderRechts,
  kRowPrefix,
  kRowNumberMask,
  kRowSuffix,
  kCell2,
  kCell3,
  kCell4,
  kCell5,
  kCell6,
  kCountMessage,
};

inline const tabard::LiteralEntry* DemoLiteral(DemoLiteralId which) { return kDemoLiterals.Entry(which); }
