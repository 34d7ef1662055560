#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtTest>

#include "model/SettingsStore.h"

// Files for the data-file tests, made and inspected with SQL of their own.
namespace storagetest {

// Runs statements on the SQLite file at `path` (created when missing); false on the first error.
inline bool RunSql(const QString& path, const QStringList& statements) {
    const QString name = QStringLiteral("storage-test");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString& sql : statements) {
            if (!ok) break;
            QSqlQuery q(db);
            ok = q.exec(sql);
            if (!ok) qWarning() << sql << q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// The rows of a query on the file, each as its values (null as an invalid QVariant).
inline QList<QVariantList> Select(const QString& path, const QString& sql) {
    const QString name = QStringLiteral("storage-test-select");
    QList<QVariantList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql))
                while (q.next()) {
                    QVariantList row;
                    for (int i = 0; i < q.record().count(); ++i)
                        row << (q.value(i).isNull() ? QVariant() : q.value(i));
                    rows << row;
                }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

// The field names of a table in position order.
inline QStringList FieldNames(const QString& path, const QString& table) {
    QStringList names;
    for (const QVariantList& row :
         Select(path, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
        names << row.at(1).toString();
    return names;
}

// A value per product item and per setting slot that tells where it came from: "A0370" is
// product 3 item 7 of fill A, "A2159" setting group 2 slot 15.
inline QString ProductText(QChar tag, int product, int item) {
    return QStringLiteral("%1%2%3").arg(tag).arg(product, 2, 10, QChar(u'0')).arg(item) + u'0';
}
inline QString SettingText(QChar tag, int group, int slot) {
    return QStringLiteral("%1%2%3").arg(tag).arg(group).arg(slot, 2, 10, QChar(u'0')) + u'9';
}

inline void Fill(SettingsStore& store, QChar tag) {
    for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
        for (int k = 0; k < SettingsStore::kProductItems; ++k)
            store.setProduct(p, k, ProductText(tag, p, k));
    for (int g = SettingsStore::kFirstGroup; g <= SettingsStore::kLastGroup; ++g)
        for (int s = 0; s < SettingsStore::GroupSize(g); ++s)
            store.setSetting(g, s, SettingText(tag, g, s));
}

// Which fill each product and setting value of the store holds ('?' for anything else).
inline QChar ProductTag(const SettingsStore& store, int product) {
    const QChar tag = store.product(product, 0).isEmpty() ? u'?' : store.product(product, 0)[0];
    for (int k = 0; k < SettingsStore::kProductItems; ++k)
        if (store.product(product, k) != ProductText(tag, product, k)) return u'?';
    return tag;
}
inline QChar SettingTag(const SettingsStore& store, int group, int slot) {
    const QString v = store.setting(group, slot);
    return !v.isEmpty() && v == SettingText(v[0], group, slot) ? v[0] : QChar(u'?');
}

}  // namespace storagetest
