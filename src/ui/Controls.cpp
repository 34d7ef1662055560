#include "ui/Controls.h"

QLineEdit* Controls::valueBox(int family, int index) const {
    if (family == 1)
        return index >= 0 && index < static_cast<int>(productBoxes.size()) ? productBoxes[index]
                                                                           : nullptr;
    if (family < 2 || family > 9) return nullptr;
    const auto& boxes = valueBoxes[family];
    return index >= 0 && index < static_cast<int>(boxes.size()) ? boxes[index] : nullptr;
}

QString ElementName(const QString& array, int index) {
    return QStringLiteral("%1_%2").arg(array).arg(index);
}
