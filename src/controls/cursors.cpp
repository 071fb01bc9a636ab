// Stock cursor ids mapped to Qt's cursor shapes, and the table of the program's own cursors.
#include "controls/cursors.h"

#include <map>

namespace {

std::map<TCursor, QCursor> &screenCursors()
{
    static std::map<TCursor, QCursor> table;
    return table;
}

std::optional<Qt::CursorShape> stockShape(TCursor id)
{
    switch (id) {
    case crNone:
        return Qt::BlankCursor;
    case crArrow:
        return Qt::ArrowCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait:
        return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crHSplit:
        return Qt::SplitHCursor;
    case crVSplit:
        return Qt::SplitVCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return std::nullopt;
    }
}

} // namespace

void SetScreenCursor(TCursor id, const QCursor &cursor)
{
    if (id > 0)
        screenCursors()[id] = cursor;
}

std::optional<QCursor> CursorFor(TCursor id)
{
    if (id == crDefault)
        return std::nullopt;
    if (auto shape = stockShape(id))
        return QCursor(*shape);
    const auto &table = screenCursors();
    auto it = table.find(id);
    return it != table.end() ? it->second : QCursor(Qt::ArrowCursor);
}
