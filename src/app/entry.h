// The program's entry: GUI start-up.
#pragma once

int VelmoraMain(int argc, char **argv);
