// TImage: the windowless picture control of pictures, catch-phrase pictures and the background.
#pragma once

#include "controls/graphiccontrol.h"
#include "document/streamable.h"
#include "platform/picture.h"

class TImage : public TGraphicControl, public Streamable
{
public:
    explicit TImage(QWidget *parent = nullptr);

    // Streaming (Streamable): the component name is the control's Name.
    QString ClassName() const override;
    QString ComponentName() const override { return Name(); }
    void SetComponentName(const QString &name) override { SetName(name); }
    void WriteProperties(PropertyWriter &writer) const override;
    void ReadProperty(const QString &name, const StreamValue &value) override;

    // The owned picture; any change repaints and re-fits an auto-sized control (its OnChange belongs
    // to the control).
    TPicture &Picture() { return picture_; }
    const TPicture &Picture() const { return picture_; }
    void SetPicture(const TPicture &value) { picture_.Assign(value); }

    // Stretch: the picture fills the control; otherwise it keeps its size, at the top-left corner or,
    // with Center, in the middle.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    // AutoSize: the control takes the picture's size whenever the picture changes (an empty picture
    // leaves the size alone).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    // Transparent: a bitmap's pixels of its bottom-left pixel's colour are not drawn.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // Whether a picture being decoded would be shown step by step; kept for documents only.
    bool IncrementalDisplay = false;

    // Where the picture is drawn, in the control's coordinates.
    QRect DestRect() const;
    // Draws the picture as the control shows it, in the control's coordinates, on any painter (printing
    // draws it straight onto the printer, so that each picture is one image however often it is drawn).
    void PaintPicture(QPainter &painter) const;

    // How a picture that cannot be drawn is named in reports (UndrawablePictures); by default its
    // kind and place. A copy is given its original's, since it stands elsewhere at another scale.
    QString Description;
    QString Describe() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void pictureChanged();
    void fitToPicture();

    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool autoSize_ = false;
    bool transparent_ = false;
};
