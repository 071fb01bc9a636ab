// The preset store: loading both files, adding, deleting, rewriting the user file and matching layouts.
#include "common/file_size_limit.h"
#include "common/scripted_modal.h"
#include "platform/strings.h"
#include "preset_test_files.h"

#include <gtest/gtest.h>

namespace {

QByteArray line(const char *name, const char *values = "210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0")
{
    return QByteArray("\"") + name + "\", " + values + "\r\n";
}

QByteArray lines(const char *prefix, int count)
{
    QByteArray out = "Velmora version 2.0j\r\n";
    for (int i = 0; i < count; ++i)
        out += line((prefix + QByteArray::number(i)).constData());
    return out;
}

QString message(int id, const char *name)
{
    return LoadStr(id).replace("%s", QString::fromUtf8(name));
}

} // namespace

TEST(PresetStore, NeitherFileGivesAnEmptyTable)
{
    PresetFolder folder;
    TPresetStore store(folder.files(), Version);
    store.LoadPresets();
    EXPECT_EQ(store.Table.MakerPresetCount, 0);
    EXPECT_EQ(store.Table.UserPresetCount, 0);
    EXPECT_EQ(store.Table, PresetTable{});
}

TEST(PresetStore, MakerPresetsComeFirstAndLimitTheUserPresets)
{
    PresetFolder folder;
    folder.setMaker(lines("m", 250));
    folder.setUser(lines("u", 10));
    TPresetStore store(folder.files(), Version);
    store.LoadPresets();
    EXPECT_EQ(store.Table.MakerPresetCount, 250);
    EXPECT_EQ(store.Table.UserPresetCount, 6);
    EXPECT_EQ(PresetNameText(store.Table.Entries[249].PresetName), "m249");
    EXPECT_EQ(PresetNameText(store.Table.Entries[250].PresetName), "u0");
    EXPECT_EQ(PresetNameText(store.Table.Entries[255].PresetName), "u5");
    EXPECT_TRUE(store.IsMakerItem(250));
    EXPECT_TRUE(store.IsUserItem(251));
    EXPECT_FALSE(store.IsUserItem(257));
}

TEST(PresetStore, AddingRewritesTheHeaderAndAllUserPresetsWithTheNewOneLast)
{
    ScopedScriptedModal modal;
    PresetFolder folder;
    folder.setMaker(lines("m", 2));
    folder.setUser("Velmora version 1.0\r\n" +
                   line("old", "210.0, 297.0, 91.0, 55.0, 2,5,14.25,11.0,0.0,0.0"));
    TPresetStore store(folder.files(), Version);
    store.LoadPresets();
    EXPECT_FLOAT_EQ(store.Table.Entries[2].LeftMargin, 14.25f); // two decimals used as read

    LayoutPreset values = defaultPreset("ignored");
    values.InsideMarginX = 2.5f;
    EXPECT_EQ(store.AddUserPreset(sjis("新しい"), values), 4);
    EXPECT_EQ(store.Table.UserPresetCount, 2);
    EXPECT_EQ(PresetNameText(store.Table.Entries[3].PresetName), sjis("新しい"));
    EXPECT_EQ(readBytes(folder.user()),
              "Velmora version 2.0j\r\n" + line("old", "210.0, 297.0, 91.0, 55.0, 2,5,14.3,11.0,0.0,0.0") +
                  "\"" + sjis("新しい") + "\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,2.5,0.0\r\n");
    EXPECT_TRUE(modal->asked.empty());
}

TEST(PresetStore, DeletingMovesTheRestUpAndSelectsThePresetAbove)
{
    ScopedScriptedModal modal;
    PresetFolder folder;
    folder.setMaker(lines("m", 1));
    folder.setUser(lines("u", 3));
    TPresetStore store(folder.files(), Version);
    store.LoadPresets();
    EXPECT_EQ(store.DeleteUserPreset(3), 2); // u1
    EXPECT_EQ(store.Table.UserPresetCount, 2);
    EXPECT_EQ(PresetNameText(store.Table.Entries[2].PresetName), "u2");
    EXPECT_EQ(store.Table.Entries[3], LayoutPreset{});
    EXPECT_EQ(readBytes(folder.user()), "Velmora version 2.0j\r\n" + line("u0") + line("u2"));
    EXPECT_EQ(store.DeleteUserPreset(1), 1); // a maker preset cannot be deleted
    EXPECT_EQ(store.Table.MakerPresetCount, 1);
}

TEST(PresetStore, DeletingTheOnlyUserPresetLeavesTheHeader)
{
    PresetFolder folder;
    folder.setMaker(lines("m", 2));
    folder.setUser(lines("u", 1));
    TPresetStore store(folder.files(), Version);
    store.LoadPresets();
    EXPECT_EQ(store.DeleteUserPreset(3), 2); // the last maker preset
    EXPECT_EQ(readBytes(folder.user()), "Velmora version 2.0j\r\n");

    PresetFolder userOnly;
    userOnly.setUser(lines("u", 1));
    TPresetStore alone(userOnly.files(), Version);
    alone.LoadPresets();
    EXPECT_EQ(alone.DeleteUserPreset(1), 0); // the free setting
}

TEST(PresetStore, AFailedWriteShowsMessage1120AndChangesNothing)
{
    ScopedScriptedModal modal;
    PresetFolder folder;
    folder.setUser(lines("u", 2));
    writeBytes(folder.dir.path() + "/plain", "x");
    PresetFiles files = folder.files();
    files.userWritePath = folder.dir.path() + "/plain/usetpage.txt"; // its folder cannot exist
    TPresetStore store(files, Version);
    store.LoadPresets();
    const PresetTable before = store.Table;

    modal->answerMessage(IDOK);
    EXPECT_EQ(store.AddUserPreset("new", defaultPreset("x")), 0);
    EXPECT_EQ(store.Table, before);
    modal->answerMessage(IDOK);
    EXPECT_EQ(store.DeleteUserPreset(1), 1);
    EXPECT_EQ(store.Table, before);

    ASSERT_EQ(modal->asked.size(), 2u);
    for (const AskedInteraction &a : modal->asked) {
        EXPECT_EQ(a.text, "設定情報のファイルへの書き込みに失敗しました。");
        EXPECT_EQ(a.caption, "ヴェルモラ Message");
        EXPECT_EQ(a.buttons, MB_OK);
    }
}

TEST(PresetStore, AWriteThatFailsHalfwayKeepsTheOldFileWhole)
{
    ScopedScriptedModal modal;
    PresetFolder folder;
    const QByteArray old = lines("u", 2);
    folder.setUser(old);
    TPresetStore store(folder.files(), Version);
    store.LoadPresets();
    modal->answerMessage(IDOK);
    int item = -1;
    {
        const ScopedFileSizeLimit limit(40); // writing the new file runs out of room part way
        item = store.AddUserPreset("a new preset", defaultPreset("x"));
    }
    EXPECT_EQ(item, 0);
    EXPECT_EQ(store.Table.UserPresetCount, 2);
    EXPECT_EQ(modal->messagesShown().size(), 1u);
    EXPECT_EQ(readBytes(folder.user()), old);
}

TEST(PresetStore, AWrittenFileReadsBackToTheSameTableAndTheSameBytes)
{
    PresetFolder folder;
    folder.setMaker(lines("m", 3));
    folder.setUser("Velmora version 2.0j\r\n" +
                   line("a", "215.9, 279.4, 88.9, 50.8, 2,4,12.7,19.05,12.7,12.7") +
                   line("b, with comma", "100.0, 100.0, 10.0, 10.0, 7,8,1.0,2.0,3.0,4.0"));
    TPresetStore first(folder.files(), Version);
    first.LoadPresets();
    ASSERT_EQ(first.SaveUserPresets(first.Table), 0);
    const QByteArray written = readBytes(folder.user());

    TPresetStore second(folder.files(), Version);
    second.LoadPresets();
    ASSERT_EQ(second.Table.UserPresetCount, 2);
    ASSERT_EQ(second.SaveUserPresets(second.Table), 0);
    EXPECT_EQ(readBytes(folder.user()), written);

    TPresetStore third(folder.files(), Version);
    third.LoadPresets();
    EXPECT_EQ(third.Table, second.Table);
}

TEST(PresetStore, FindsThePresetOfADocumentsLayout)
{
    ScopedScriptedModal modal;
    PresetFolder folder;
    folder.setMaker(lines("m", 2) + line("twice"));
    folder.setUser("Velmora version 2.0j\r\n" + line("twice") + line("mine") +
                   line("changed", "210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0"));
    TPresetStore store(folder.files(), Version);
    store.LoadPresets();
    ASSERT_EQ(store.Table.Total(), 6);

    LayoutPreset doc = defaultPreset("twice");
    EXPECT_EQ(store.FindPresetForLayout(doc, MakerPreset, true, false), 1);  // new document
    EXPECT_EQ(store.FindPresetForLayout(doc, MakerPreset, false, true), 0);  // legacy layout
    EXPECT_EQ(store.FindPresetForLayout(doc, MakerPreset, false, false), 4); // the last match wins
    EXPECT_EQ(store.FindPresetForLayout(doc, FreeSetting, false, false), 0);
    EXPECT_TRUE(modal->asked.empty());

    doc = defaultPreset("mine");
    doc.LeftMargin = 14.04f; // shows as 14.0: equal
    doc.Retu = 2;
    EXPECT_EQ(store.FindPresetForLayout(doc, UserPreset, false, false), 5);
    EXPECT_TRUE(modal->asked.empty());

    modal->answerMessage(IDOK);
    EXPECT_EQ(store.FindPresetForLayout(defaultPreset("gone"), MakerPreset, false, false), 0);
    modal->answerMessage(IDOK);
    doc = defaultPreset("changed");
    doc.TopMargin = 11.06f; // shows as 11.1: differs
    EXPECT_EQ(store.FindPresetForLayout(doc, UserPreset, false, false), 0);
    modal->answerMessage(IDOK);
    EXPECT_EQ(store.FindPresetForLayout(defaultPreset("nowhere"), UserPreset, false, false), 0);

    const std::vector<QString> shown = modal->messagesShown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], message(1100, "gone"));
    EXPECT_EQ(shown[0], "\"gone\"の設定情報がありません。");
    EXPECT_EQ(shown[1], message(1101, "changed"));
    EXPECT_TRUE(shown[1].startsWith("\"changed\"の設定情報が一致しません。\n\n"));
    EXPECT_EQ(shown[2], message(1102, "nowhere"));

    PresetFolder empty;
    TPresetStore none(empty.files(), Version);
    none.LoadPresets();
    EXPECT_EQ(none.FindPresetForLayout(doc, MakerPreset, true, false), 0);
}

TEST(PresetStore, APresetWithExactHalvesMatchesItselfAfterItIsWritten)
{
    // Exact halves in every length: written and compared with the same rounding, a document that
    // uses the preset finds it again in a store read from the file.
    ScopedScriptedModal modal;
    PresetFolder folder;
    LayoutPreset values = defaultPreset("half");
    values.PaperWidth = 210.25f;
    values.PaperHeight = 296.75f;
    values.WorkSheetWidthMM = 90.45f;
    values.WorkSheetHeightMM = 54.55f;
    values.LeftMargin = 11.25f;
    values.TopMargin = 0.05f;
    values.InsideMarginX = 2.5f;
    values.InsideMarginY = 0.25f;
    {
        TPresetStore store(folder.files(), Version);
        store.LoadPresets();
        ASSERT_EQ(store.AddUserPreset("half", values), 1);
    }
    EXPECT_EQ(readBytes(folder.user()),
              "Velmora version 2.0j\r\n" + line("half", "210.3, 296.8, 90.4, 54.5, 2,5,11.3,0.1,2.5,0.3"));
    TPresetStore reread(folder.files(), Version);
    reread.LoadPresets();
    EXPECT_EQ(reread.FindPresetForLayout(values, UserPreset, false, false), 1);
    EXPECT_TRUE(modal->asked.empty());
}

TEST(PresetStore, AFullTableTakesNoMorePresets)
{
    PresetFolder folder;
    folder.setMaker(lines("m", 256));
    TPresetStore store(folder.files(), Version);
    store.LoadPresets();
    ASSERT_EQ(store.Table.Total(), 256);
    EXPECT_EQ(store.AddUserPreset("extra", defaultPreset("x")), 0);
    EXPECT_EQ(store.Table.UserPresetCount, 0);
    EXPECT_EQ(readBytes(folder.user()), "<missing>");
}
