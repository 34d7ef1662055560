#pragma once

#include <QProcess>
#include <QString>

#include "model/Catalogue.h"
#include "model/Validation.h"

// A store holding a value for every setting of the model and every product field: the highest
// value each entry box takes, and products numbered so that neighbours differ.
inline void FillStore(SettingsStore& store) {
    for (const CatalogueEntry& e : EntriesOf(store.model())) {
        const BoxRule rule = RuleOf(store.model(), e.box.family, e.box.index);
        store.setSetting(e.slot,
                         rule.kind == RuleKind::OneToSixteen ? QStringLiteral("00003") : rule.mask);
    }
    for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
        for (int item = 0; item < SettingsStore::kProductItems; ++item) {
            const QString v = QStringLiteral("%1").arg(p * 8 + item, 5, 10, QChar(u'0'));
            store.setProduct(p, item, MatchesMask(v, ProductMask(item)) ? v : ProductMask(item));
        }
}

// The text of a PDF (pdftotext), one page or all (page 0).
inline QString PdfText(const QString& pdf, int page = 0) {
    QProcess p;
    QStringList args{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0) args << "-f" << QString::number(page) << "-l" << QString::number(page);
    p.start(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-"));
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
