// The program's entry: GUI start-up.
#pragma once

int VelmoraMain(int argc, char **argv);

// The application object's title, fonts and Qt's Japanese texts; run before the main window exists.
void SetUpApplication();
