#pragma once

#include <QString>
#include <QVector>

#include <memory>
#include <utility>

// JSON as a tree that keeps the members' order (QJsonObject sorts them, and a
// palette's order is its meaning) and each value's line.
struct JsonValue {
    enum class Kind { null, boolean, number, string, array, object } kind = Kind::null;
    bool boolean = false;
    double number = 0;
    QString string;
    QVector<JsonValue> items;
    QVector<std::pair<QString, JsonValue>> members;
    int line = 0;

    const JsonValue* member(QStringView name) const;
};

struct JsonParse {
    std::unique_ptr<JsonValue> root; // null on error
    QString error;                   // what is wrong, in English as JSON's grammar names it
    int line = 0;
};

// RFC 8259 JSON; nesting deeper than 200 levels is an error, not a stack overflow.
JsonParse parseJson(const QString& text);
