// What the page setup dialog is handed and hands back, and how the main window takes the results.
#include "layout/page_setup_data.h"

PageSetupData NewDocumentPageSetup(const QByteArray &programVersion)
{
    PageSetupData data;
    data.Layout.Grid() = {0, 0, 0.0f, 0.0f, 0.0f, 0.0f};
    data.Card() = {{0.0f, 0.0f}, 0, 0};
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
        document.Card() = results.Card();
        to = from;
        document.LegacyLayoutLoaded = false;
        return {true, true};
    }
    if (results.WorkSheetWidthPx != document.WorkSheetWidthPx ||
        results.WorkSheetHeightPx != document.WorkSheetHeightPx) {
        document.Card() = results.Card();
        changes.cardSize = changes.modified = true;
    }
    if (from.Grid() != to.Grid() || from.Paper() != to.Paper()) {
        to.Grid() = from.Grid();
        to.Paper() = from.Paper();
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
