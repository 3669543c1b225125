// The start-up tests' main. The update's transfers run on Qt's events, so a QCoreApplication is there for
// them, as the program's own application object is; and Qt's TLS trusts the local servers' test certificate.

#include "loopback_certificates.h"

#include <QCoreApplication>
#include <QSslCertificate>
#include <QSslConfiguration>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificate(QSslCertificate(QByteArray(startup_tests::trusted_certificate)));
    QSslConfiguration::setDefaultConfiguration(tls);
    return RUN_ALL_TESTS();
}
