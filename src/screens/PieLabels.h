#pragma once

#include <QList>

// Where the labels outside a pie go, so that those of neighbouring small slices do not overlap. A label
// sits at the end of an arm drawn out from the middle of its slice's edge, its text running away from the
// pie, left or right; two labels on the same side overlap when their heights meet. The arms of crowded
// labels are lengthened, away from the pie's horizontal middle line, until each clears the next.
// Lengths are in pie radii; angles in degrees clockwise from twelve o'clock, as the chart measures them.
namespace PieLabels {

struct Slice
{
    double middleAngle;
    bool labelled;
};

// The middle angle of each slice of a pie of these values, the first starting at twelve o'clock.
QList<Slice> slices(const QList<double>& values);

// The arm length of each slice's label, at least shortest, for labels lineHeight radii tall.
QList<double> armLengths(const QList<Slice>& slices, double lineHeight, double shortest);

// How far below the pie's centre the label's baseline lies, in radii (negative above it).
double baseline(double middleAngle, double armLength);

} // namespace PieLabels
