// The kinds of card object, told apart by class and, for pictures, by Tag.
#pragma once

class QObject;

enum class CardKind { None, Shape, Label, Picture };

// Shape for a TQVShape, Label for a TLabelEx, Picture for a TImage (either Tag); None otherwise.
CardKind KindOf(const QObject *object);
// A picture whose Tag is 1 came from the catch-phrase folder.
bool IsCatchPhrase(const QObject *object);
