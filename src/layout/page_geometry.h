// Sheet geometry: derived margins, the page setup diagram's panel and card rectangles, and the cards along
// one axis that a drawn sheet shows.
#pragma once

#include "document/sheet_values.h"

#include <QRect>
#include <vector>

// The margin left after `count` cards of `card` with `gap` between them, starting `lead` from the
// edge: paper - (count x card + lead + (count - 1) x gap). Negative when the cards run past the edge.
float TrailingMargin(float paper, int count, float card, float lead, float gap);

// The diagram is drawn at one pixel per millimetre; its panel is never larger than this.
constexpr int MaxDiagramExtent = 10000;
// At most this many columns and rows of cards are drawn; more could never be told apart.
constexpr int MaxDiagramCells = 1000;

// The panel: trunc(paper) pixels each way, placed in the room right of the controls (`controlsRight`)
// and vertically at half of (scroll box height - top of the Cancel button). A panel wider than that
// room starts just right of the controls instead of covering them.
QRect DiagramPanelRect(float paperWidth, float paperHeight, int controlsRight, int scrollWidth,
                       int scrollHeight, int cancelTop);

// One card along one axis: where it starts and how long it is, in pixels.
struct CellSpan
{
    int position;
    int size;
};

// The cards along one axis that reach into [0, extent): card i starts at trunc((card + gap) x i + margin
// + 0.5) and is trunc(card + 0.5) long. When the step is zero every card stands in one place and one is
// given; at most MaxDiagramCells are given.
std::vector<CellSpan> VisibleCellSpans(int count, float card, float gap, float margin, int extent);

struct DiagramLayout : CardSizeMM, CardGrid
{};

// One rectangle per card that can be seen on a panel of `panel` size: width trunc(card + 0.5), left
// trunc((card + gap) x column + margin + 0.5), likewise down. Cards wholly off the panel are left out.
std::vector<QRect> DiagramCells(const DiagramLayout &layout, QSize panel);
