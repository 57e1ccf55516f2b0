#pragma once

#include "core/import/ImportedPalette.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The file as text: UTF-8 without its byte order mark, CRLF and CR taken as
// LF. Nothing, and the error at the first byte that is not UTF-8, otherwise.
std::optional<QString> importText(const QByteArray& bytes, ImportError& error);

// The line (from 1) of a position in such a text.
int lineAt(const QString& text, qsizetype position);

// More colours than any palette has: a file claiming more is damaged.
inline constexpr int maxImportedEntries = 100000;
