#pragma once

#include <QByteArray>
#include <QMetaMethod>
#include <QStringList>
#include <QTest>

// Runs a share of a test object's functions, so that a long test program runs as several CTest
// tests side by side (tests/CMakeLists.txt, TEST_SHARES_<name>): with RUSK_TEST_SHARE=i/n in
// the environment and no functions named on the command line, every n-th function from the
// i-th (0-based) in the order they are declared; otherwise as QTest::qExec.
inline int ExecShare(QObject* test, int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const QStringList share = qEnvironmentVariable("RUSK_TEST_SHARE").split(u'/');
    if (args.size() == 1 && share.size() == 2 && share[1].toInt() > 0) {
        const int index = share[0].toInt(), count = share[1].toInt();
        const QMetaObject* type = test->metaObject();
        int n = 0;
        for (int m = type->methodOffset(); m < type->methodCount(); ++m) {
            const QMetaMethod f = type->method(m);
            const QByteArray name = f.name();
            if (f.methodType() != QMetaMethod::Slot || f.access() != QMetaMethod::Private ||
                f.parameterCount() != 0 || name.endsWith("_data") || name == "init" ||
                name == "cleanup" || name == "initTestCase" || name == "cleanupTestCase")
                continue;
            if (n++ % count == index) args << QString::fromLatin1(name);
        }
        if (args.size() == 1) return 0;  // more shares than functions
    }
    return QTest::qExec(test, args);
}
