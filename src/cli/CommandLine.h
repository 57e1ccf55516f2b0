#pragma once

// The arguments name one of the command line's own options (--export,
// --values, --help, ...); a plain file argument opens in the window instead.
bool istKommandozeile(int argc, char** argv);

// Runs the command line with a QCoreApplication (a QGuiApplication on the
// offscreen platform only for a PNG, which needs fonts); never shows a window
// and never touches a running instance. The process's exit status.
int kommandozeileAusfuehren(int argc, char** argv);
