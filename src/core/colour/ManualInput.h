#pragma once

#include "core/colour/BandTables.h"

#include <QString>

#include <optional>

// Channel order of a colour: the channels in the roles maximum, middle, minimum.
enum class ChannelOrder { RGB, RBG, GBR, GRB, BGR, BRG };

struct ChannelRoles {
    int max = 0, mid = 0, min = 0;
};

ChannelOrder positionDerFarben(Rgb c);
ChannelRoles channelRoles(Rgb c, ChannelOrder s);
// Whether c's channels currentState in the order s names (ties count as in order).
bool inOrder(Rgb c, ChannelOrder s);

// Where the middle channel lies between minimum and maximum, 0..255; single
// precision on purpose, the band search compares these values exactly.
int reinFarben(int max, int mid, int min);

// The luminous band position (1-based, as the dialog keeps it) whose hue comes
// closest to c: the first within 1, else the first with the smallest
// difference up to 20; none beyond that.
std::optional<int> findOnBand(const BandTable& band, Rgb c);

// The light/dark field point that turns a hue into a colour of these maximum
// and minimum channels.
struct InputPoint {
    int x = 0, y = 0;
    bool operator==(const InputPoint&) const = default;
};
InputPoint hellDklFarben(int max, int min);

struct InputMatch {
    int position = 0; // 1-based band position
    InputPoint point;
};
// Band search on the luminous table and the point for the entered colour.
std::optional<InputMatch> convertInput(Rgb c);

// The hex field's text: only 7 characters can pass, and only "#" and six hex
// digits (either case) do.
enum class HexCheck { valid, invalid, incomplete };
HexCheck checkHEX(const QString& text);
// Channels of a text that passed checkHEX.
Rgb hexToRgb(const QString& text);
bool checkCHEX(QChar ch);

// A decimal field's text with every non-digit removed.
QString digitsOnly(const QString& text);
