#include "screens/PieLabels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The chart turns an arm that would point almost straight down a little aside.
double drawnAngle(double angle)
{
    if (angle > 170 && angle < 180)
        return 170;
    if (angle > 180 && angle < 190)
        return 190;
    return angle;
}

double cosine(double degrees)
{
    return std::cos(drawnAngle(degrees) * std::numbers::pi / 180);
}

// The labels of one side, from the one nearest the middle line outwards (up or down): each is moved
// out until it clears the one before it by a line.
void spread(const QList<int>& order, const QList<PieLabels::Slice>& slices, double lineHeight,
            QList<double>& arms, double upOrDown)
{
    double previous = 0;
    bool first = true;
    for (int i : order) {
        const double angle = slices.at(i).middleAngle;
        const double wanted = previous + upOrDown * lineHeight;
        if (!first && upOrDown * (PieLabels::baseline(angle, arms[i]) - wanted) < 0) {
            // The baseline is -(1 + arm) cos(angle): solve for the arm that puts it where it is wanted.
            const double towardsMiddle = -cosine(angle);
            if (std::abs(towardsMiddle) > 1e-6)
                arms[i] = std::max(arms[i], wanted / towardsMiddle - 1);
        }
        previous = PieLabels::baseline(angle, arms[i]);
        first = false;
    }
}

} // namespace

namespace PieLabels {

QList<Slice> slices(const QList<double>& values)
{
    double total = 0;
    for (double value : values)
        total += std::max(value, 0.0);
    QList<Slice> result;
    double start = 0;
    for (double value : values) {
        const double span = total > 0 ? 360 * std::max(value, 0.0) / total : 0;
        result.append({start + span / 2, value > 0});
        start += span;
    }
    return result;
}

double baseline(double middleAngle, double armLength)
{
    return -(1 + armLength) * cosine(middleAngle);
}

QList<double> armLengths(const QList<Slice>& slices, double lineHeight, double shortest)
{
    QList<double> arms(slices.size(), shortest);
    for (bool right : {true, false}) {
        // Each side from its middle line up, then from the middle line down.
        QList<int> side;
        for (int i = 0; i < int(slices.size()); ++i)
            if (slices.at(i).labelled && (slices.at(i).middleAngle < 180) == right)
                side.append(i);
        std::sort(side.begin(), side.end(),
                  [&slices](int a, int b) { return slices.at(a).middleAngle < slices.at(b).middleAngle; });
        QList<int> up;
        QList<int> down;
        for (int i : side)
            (baseline(slices.at(i).middleAngle, shortest) < 0 ? up : down).append(i);
        // Seen from the middle line, the upper labels come in the order farthest from twelve o'clock
        // first, and so do the lower ones from six.
        if (right)
            std::reverse(up.begin(), up.end());
        else
            std::reverse(down.begin(), down.end());
        spread(up, slices, lineHeight, arms, -1);
        // The first label below the middle line clears the lowest one above it too.
        QList<int> below = up.isEmpty() ? down : QList<int>{up.first()} + down;
        spread(below, slices, lineHeight, arms, 1);
    }
    return arms;
}

} // namespace PieLabels
