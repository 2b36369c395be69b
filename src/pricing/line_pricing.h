#pragma once
// One product line: from the quantity box's text and the unit price caption to the captions of the
// line's subtotal and shipping points.

#include <QString>
#include <optional>

namespace pricing {

struct LineFigures {
    QString subtotal; // quantity × unit price
    std::optional<QString> points; // quantity × points per unit; none for a row without points
};

// The line's captions, or nothing when the quantity or the price is not a number or the product
// is out of range; the caller then leaves the line as it was rather than show a figure it cannot
// trust. A row with no points per unit never shows points, so its points label keeps its "0".
std::optional<LineFigures> priceLine(const QString& quantity, const QString& unitPrice, int pointsPerUnit);

} // namespace pricing
