// Writes a small seed corpus for control_fuzz: one component stream of each streamed control, with
// the byte that chooses its class in front.
#include "common/picture_samples.h"
#include "controls/LabelEx.h"
#include "controls/card_classes.h"
#include "controls/colordialog.h"
#include "controls/gridshape.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/streamable.h"
#include "document/zrd_format.h"
#include "seed_files.h"

#include <QApplication>
#include <QImage>

namespace {
QByteArray seed(char kind, const Streamable &component)
{
    return QByteArray(1, kind) + WriteComponent(component);
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterCardClasses();

    TQVShape shape;
    shape.SetShape(qvstRoundRect);
    shape.SetLeft(5);
    shape.SetTop(6);
    shape.SetWidth(70);
    shape.SetHeight(30);
    shape.Pen().SetWidth(3);
    shape.Brush().SetColor(0x00FF00);
    TLabelEx label;
    label.SetCaption(QStringLiteral("名刺 Velmora"));
    label.SetGap(4);
    label.Font().SetSize(14);
    label.SetBounds(3, 4, 90, 20);
    TImage picture;
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QByteArray bmp = EncodedImage(image, "BMP");
    picture.Picture().ReadData(QByteArray("\x07TBitmap") + ZrdInt32(qint32(bmp.size())) + bmp);
    picture.SetStretch(true);
    picture.SetBounds(10, 10, 40, 30);
    TImage metafile;
    const QByteArray emf = SampleEmf();
    metafile.Picture().ReadData(QByteArray("\x09TMetafile") + ZrdInt32(qint32(emf.size() + 4)) + emf);
    TGridShape grid;
    grid.SetGridWidth(7);
    TColorDialog colours;
    colours.Color = 0x123456;
    return WriteSeedFiles(argv[0], argv[1],
                          {
                              {"shape.bin", seed(0, shape)},
                              {"label.bin", seed(1, label)},
                              {"bitmap.bin", seed(2, picture)},
                              {"metafile.bin", seed(2, metafile)},
                              {"grid.bin", seed(3, grid)},
                              {"colours.bin", seed(4, colours)},
                          });
}
