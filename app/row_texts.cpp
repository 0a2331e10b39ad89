#include "app/row_texts.h"

#include <tabard/text/mask_format.h>
#include <tabard/text/number_companions.h>
#include <tabard/text/number_to_text.h>
#include <tabard/text/text_core.h>
#include "app/demo_literals.h"

using namespace tabard;

void BuildRowCells(ProcedureFrame& frame, int32_t n, DynString (&cells)[kRowCells]) {
  // The sixth cell is evaluated first and the label, the first cell, last.
  constexpr DemoLiteralId kPlainCells[] = {kCell6, kCell5, kCell4, kCell3, kCell2};
  for (int k = 0; k < 5; ++k) {
    TextPushLiteral(frame, DemoLiteral(kPlainCells[k]));
    TextPassRef(frame, &cells[5 - k]);
  }
  TextPushLiteral(frame, DemoLiteral(kRowPrefix));
  TextPushLiteral(frame, DemoLiteral(kRowNumberMask));
  NumberFormatMask(frame, NumberLoadInt32(frame, n));
  TextConcat(frame);
  TextPushLiteral(frame, DemoLiteral(kRowSuffix));
  TextConcat(frame);
  TextPassRef(frame, &cells[0]);
}

void PushCountMessage(ProcedureFrame& frame, int32_t count) {
  TextPushLiteral(frame, DemoLiteral(kCountMessage));
  NumberToText(frame, NumberLoadInt32(frame, count));
  TextConcat(frame);
}
