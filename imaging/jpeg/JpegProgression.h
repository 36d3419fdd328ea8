#pragma once
// Private to imaging/jpeg: whether a progressive JPEG's scans add up to the whole picture.

namespace platform {

// bits[c][k] as libjpeg keeps it for coefficient k of component c after the last scan: -1 when
// no scan sent it, otherwise the low bits no scan refined yet. Complete when every coefficient of
// every component was sent and refined to its last bit.
bool ProgressionComplete(const int (*bits)[64], int components);

// A scan out of order, as libjpeg warns of it for one coefficient: the scan's first coefficient ss
// and the bit it refines from (ah, 0 for a first scan). A refinement out of order builds on bits
// that were lost or are already refined, and an AC scan before any DC scan (libjpeg names
// coefficient 0) has no DC to add to: damage. A first scan sent again only repeats what it gave.
bool RefinesOutOfOrder(int ss, int ah, int coefficient);

}  // namespace platform
