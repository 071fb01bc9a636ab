// The card object classes in one table: their kind, class name, document record tag and how one is
// made, for documents, the card copy, the editor and the component stream reader alike.
#pragma once

#include <QLatin1StringView>
#include <array>
#include <cstdint>

class QObject;
class QWidget;
class Streamable;
class TGraphicControl;

enum class CardKind { None, Shape, Label, Picture };

struct CardClass
{
    CardKind kind;
    QLatin1StringView className;
    std::int32_t documentTag; // the record tag a document saves it under
    // A new, empty control of the class on `parent`.
    TGraphicControl *(*construct)(QWidget *parent);
    // Whether `object` is of the class (or derived from it).
    bool (*isInstance)(const QObject *object);
};

// Shape, label, picture.
const std::array<CardClass, 3> &CardClasses();

// The class of a card object; nullptr for anything else (the background, the grid, a plain widget).
const CardClass *CardClassOf(const QObject *object);
// The class saved under a document record tag; the label tag of older documents reads as a label.
// nullptr for tags that hold no card object.
const CardClass *CardClassForTag(std::int32_t tag);

// Shape for a TQVShape, Label for a TLabelEx, Picture for a TImage (either Tag); None otherwise.
CardKind KindOf(const QObject *object);
// A picture whose Tag is 1 came from the catch-phrase folder.
bool IsCatchPhrase(const QObject *object);

// A card object's stream side (every card class is streamable); throws std::bad_cast for others.
Streamable &AsStreamable(QWidget &object);
const Streamable &AsStreamable(const QWidget &object);

// A copy of a card object on `parent` made through its component stream: every stored property and
// nothing else; nullptr when `object` is no card object. Throws what reading the stream throws.
TGraphicControl *CopyCardObject(const QWidget &object, QWidget *parent);

// Registers the card classes (each made with the owner as its parent widget) and the picture classes
// that stored pictures name (TBitmap, TIcon, TMetafile, TJPEGImage). Safe to call more than once.
void RegisterCardClasses();
