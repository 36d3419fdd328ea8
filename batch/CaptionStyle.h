#pragma once
#include <QColor>
#include <QString>

// Where a batch's caption stands on each picture: one of nine places, kept a margin from the
// edges it is near, or its top-left corner at a point.
enum class CaptionPlace { TopLeft, Top, TopRight, Left, Center, Right, BottomLeft, Bottom, BottomRight, AtPoint };

// A length that is either pixels or a share of the picture (the height for a caption's size, the
// shorter side for a margin), so that one choice suits photos of every size.
struct CaptionLength {
    double value = 0;
    bool percent = false;

    // In pixels, for a picture whose measured side is side pixels.
    double PixelsOf(int side) const { return percent ? value * side / 100.0 : value; }
    bool operator==(const CaptionLength&) const = default;
};

// How a batch draws its caption; the same style gives each picture a caption of the same share.
struct CaptionStyle {
    QString family;  // empty: the system's default face
    bool bold = false;
    bool italic = false;
    CaptionLength size{4, true};
    QColor colour{0, 0, 0};
    CaptionPlace place = CaptionPlace::AtPoint;
    int x = 0;  // with AtPoint
    int y = 0;
    CaptionLength margin{2, true};
    bool operator==(const CaptionStyle&) const = default;
};

// The place words of the command line ("top-left" ... "bottom-right"), in CaptionPlace's order.
QString CaptionPlaceWord(CaptionPlace place);
// The place a word names; AtPoint for none.
CaptionPlace CaptionPlaceOfWord(const QString& word);
