// The wizard's two decorative pictures, drawn in code.
#pragma once

#include <QPixmap>
#include <QSize>

// Page 1: a folder holding a card beside a fresh card: an earlier file or a new one.
QPixmap WizardOpenOrNewPicture(QSize size);
// Page 2: a fan of cards in different designs: start from a template or from a blank card.
QPixmap WizardTemplatePicture(QSize size);
