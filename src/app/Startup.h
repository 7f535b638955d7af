#pragma once

// The program's entry sequence; returns its exit code.
int RunCorvane(int argc, char** argv);
