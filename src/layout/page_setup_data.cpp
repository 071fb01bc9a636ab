// What the page setup dialog is handed and hands back, and how the main window takes the results.
#include "layout/page_setup_data.h"

PageSetupData NewDocumentPageSetup(const QByteArray &programVersion)
{
    PageSetupData data;
    data.Layout.Retu = 0;
    data.Layout.Dann = 0;
    data.Layout.LeftMargin = 0.0f;
    data.Layout.TopMargin = 0.0f;
    data.WorkSheetWidthMM = 0.0f;
    data.WorkSheetHeightMM = 0.0f;
    data.WorkSheetWidthPx = 0;
    data.WorkSheetHeightPx = 0;
    data.ProgramVersion = programVersion;
    data.NewDocument = true;
    return data;
}

PageSetupChanges TakePageSetupResults(const PageSetupData &results, PageSetupData &document)
{
    PageSetupChanges changes;
    PageLayout &to = document.Layout;
    const PageLayout &from = results.Layout;
    if (results.NewDocument) {
        document.WorkSheetWidthMM = results.WorkSheetWidthMM;
        document.WorkSheetHeightMM = results.WorkSheetHeightMM;
        document.WorkSheetWidthPx = results.WorkSheetWidthPx;
        document.WorkSheetHeightPx = results.WorkSheetHeightPx;
        to = from;
        document.LegacyLayoutLoaded = false;
        return {true, true};
    }
    if (results.WorkSheetWidthPx != document.WorkSheetWidthPx ||
        results.WorkSheetHeightPx != document.WorkSheetHeightPx) {
        document.WorkSheetWidthMM = results.WorkSheetWidthMM;
        document.WorkSheetHeightMM = results.WorkSheetHeightMM;
        document.WorkSheetWidthPx = results.WorkSheetWidthPx;
        document.WorkSheetHeightPx = results.WorkSheetHeightPx;
        changes.cardSize = changes.modified = true;
    }
    if (from.LeftMargin != to.LeftMargin || from.TopMargin != to.TopMargin || from.Retu != to.Retu ||
        from.Dann != to.Dann || from.InsideMarginX != to.InsideMarginX ||
        from.InsideMarginY != to.InsideMarginY || from.PaperWidth != to.PaperWidth ||
        from.PaperHeight != to.PaperHeight) {
        to.LeftMargin = from.LeftMargin;
        to.TopMargin = from.TopMargin;
        to.Retu = from.Retu;
        to.Dann = from.Dann;
        to.InsideMarginX = from.InsideMarginX;
        to.InsideMarginY = from.InsideMarginY;
        to.PaperWidth = from.PaperWidth;
        to.PaperHeight = from.PaperHeight;
        changes.modified = true;
    }
    if (!SamePresetName(from.PresetName, to.PresetName) || from.PresetSource != to.PresetSource) {
        to.PresetName = from.PresetName;
        to.PresetSource = from.PresetSource;
        changes.modified = true;
    }
    const auto take = [&changes](auto &field, const auto &value) {
        if (field != value) {
            field = value;
            changes.modified = true;
        }
    };
    take(to.MeasureUnit, from.MeasureUnit);
    take(to.Overhang, from.Overhang);
    take(to.Tonbo, from.Tonbo);
    document.LegacyLayoutLoaded = false;
    return changes;
}
