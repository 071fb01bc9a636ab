// Program entry: the application object, the title, the main window.
#include "app/entry.h"

int main(int argc, char **argv)
{
    return VelmoraMain(argc, argv);
}
