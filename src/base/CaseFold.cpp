#include "base/CaseFold.h"

namespace CaseFold {

QString fold(const QString& text)
{
    return text.normalized(QString::NormalizationForm_C).toCaseFolded();
}

bool equal(const QString& a, const QString& b)
{
    return fold(a) == fold(b);
}

} // namespace CaseFold
