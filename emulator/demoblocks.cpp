#include "demoblocks.h"

#include <QRandomGenerator>

#include <cmath>

namespace {

// Roughly normal scatter of about one standard deviation, from a fixed seed.
class Scatter
{
public:
    explicit Scatter(quint32 seed) : random(seed) {}
    double next()
    {
        double sum = 0;
        for (int i = 0; i < 4; ++i)
            sum += random.generateDouble();
        return (sum - 2.0) * std::sqrt(3.0);
    }

private:
    QRandomGenerator random;
};

// Values as the instrument shows them, to the given number of decimals.
float rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return float(std::round(value * scale) / scale);
}

QVector<float> series(int count, double nominal, double spread, int decimals, quint32 seed)
{
    Scatter scatter(seed);
    QVector<float> values;
    for (int i = 0; i < count; ++i)
        values.append(rounded(nominal + spread * scatter.next(), decimals));
    return values;
}

// Base metal, a hardened zone beside the weld, base metal again. It spans the
// program's default limits of 0 to 10, and its peak goes beyond them.
QVector<float> weldTraverse()
{
    Scatter scatter(4);
    QVector<float> values;
    for (int i = 0; i < 21; ++i) {
        const double zone = (i - 10) / 2.8;
        values.append(rounded(3.2 + 8.3 * std::exp(-zone * zone) + 0.2 * scatter.next(), 1));
    }
    return values;
}

} // namespace

QVector<EmulatedBlock> demoBlocks()
{
    return {
        EmulatedBlock::named(QStringLiteral("1 Шов"), weldTraverse()),
        EmulatedBlock::named(QStringLiteral("2 HRC"), series(10, 45.0, 0.6, 1, 1)),
        EmulatedBlock::named(QStringLiteral("3 HB"), series(25, 200.0, 4.0, 0, 2)),
        EmulatedBlock::named(QStringLiteral("4 HV"), series(50, 650.0, 12.0, 0, 3)),
        EmulatedBlock::named(QStringLiteral("5 HRC"), {}),
    };
}
