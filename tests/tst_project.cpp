#include <QtTest>

class tst_Project : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};

QTEST_GUILESS_MAIN(tst_Project)
#include "tst_project.moc"
