// The program's numbered user texts (the string table).
#pragma once

#include <QString>

namespace Str {
constexpr int ChangedSavePrompt = 1001;
constexpr int InvalidFile = 1002;
constexpr int OverwritePrompt = 1003;
constexpr int AdoptNamePrompt = 1004;
constexpr int ClearWorksheetPrompt = 1005;
constexpr int MessageCaption = 1010;
constexpr int AppTitle = 1011;
constexpr int WizardCaption = 1012;
constexpr int HelpFileName = 1013;
constexpr int SaveDialogTitle = 1020;
constexpr int NewDocument = 1021;
constexpr int DocumentFilter = 1030;
constexpr int BitmapFilter = 1031;
constexpr int JpegFilter = 1032;
constexpr int PngFilter = 1033;
constexpr int AllPicturesFilter = 1034;
constexpr int NoWorksheetSize = 1040;
constexpr int FreeLayout = 1041;
constexpr int DefaultFontName = 1050;
constexpr int ColorButton = 1060;
constexpr int FillBackground = 1070;
constexpr int ClearBackground = 1071;
constexpr int WizardOk = 1080;
constexpr int WizardNext = 1081;
constexpr int PresetMissing = 1100;
constexpr int PresetMismatch = 1101;
constexpr int UserPresetMissing = 1102;
constexpr int PresetNameRequired = 1110;
constexpr int PresetNameTaken = 1111;
constexpr int PresetNameUnstorable = 1112;
constexpr int PresetNameTooLong = 1113;
constexpr int PresetWriteFailed = 1120;
constexpr int HintText = 1131;
constexpr int HintSquare = 1132;
constexpr int HintRect = 1133;
constexpr int HintCircle = 1134;
constexpr int HintEllipse = 1135;
constexpr int HintLine = 1136;
constexpr int HintImage = 1137;
constexpr int HintCatchPhrase = 1138;
constexpr int PromptText = 1139;
constexpr int PromptShape = 1140;
constexpr int PromptImage = 1141;
constexpr int PromptCatchPhrase = 1142;
constexpr int GridPitchTooSmall = 1150;
constexpr int ImageSizeOutOfRange = 1151;
constexpr int NotRegularFile = 1160;
constexpr int FileTooLarge = 1161;
constexpr int CardTooLarge = 1162;
constexpr int PictureTooLarge = 1163;
constexpr int CardImageTooLarge = 1164;
constexpr int PictureNotDrawn = 1165;
constexpr int WriteCutShort = 1166;
constexpr int PicturePlace = 1167;
constexpr int PictureName = 1168;
constexpr int CatchPhraseName = 1169;
constexpr int BackgroundPictureName = 1170;
constexpr int JpegNoResize = 65520;
constexpr int JpegError = 65521;
constexpr int JpegFileDescription = 65522;
} // namespace Str

// The text of string `id`; an empty text for a number the table does not hold.
QString LoadStr(int id);
