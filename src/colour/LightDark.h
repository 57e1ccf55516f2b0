#pragma once

// Mixes one channel: darken towards 0 by dunkel/255, then lighten towards 255
// by hell/255.
int rechneHellDunkel(int base, int dunkel, int hell);
