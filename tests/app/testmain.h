#pragma once

#include "processend.h"

#include <QtTest>

// QTEST_MAIN, ending the process as the programs do.
#define TZ_TEST_MAIN(TestObject)                                                                   \
    static int runTests(int argc, char* argv[])                                                    \
    {                                                                                              \
        QTest::Internal::callInitMain<TestObject>();                                               \
        QTEST_MAIN_SETUP()                                                                         \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }                                                                                              \
    int main(int argc, char* argv[]) { endProcess(runTests(argc, argv)); }
