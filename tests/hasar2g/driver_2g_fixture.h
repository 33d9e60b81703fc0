#pragma once

#include "drivers/hasar2g/hasar2g_driver.h"
#include "drivers/operation_error.h"
#include "virtual_2g.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Our 2G driver on COM1, which leads to a virtual 2G Hasar started with the test's options.
class Driver2gTest : public ::testing::Test {
protected:
    void start(const QStringList& extra = {}, const QString& user = QStringLiteral("tecnico"), const QString& password = {}) {
        QString error;
        ASSERT_TRUE(printer.start(QStringList{QStringLiteral("--user"), QStringLiteral("tecnico")} + extra, &error)) << error.toStdString();
        Hasar2gLimits limits;
        limits.connectMs = 2000;
        limits.replyMs = 1500;
        limits.busyPollMs = 30;
        limits.busyLimitMs = 2000;
        limits.rereadMs = 4000;
        driver = std::make_unique<Hasar2gDriver>([this](int) { return printer.url().toString(); },
                                                 [user, password](int) { return network_address::Credentials{user, password}; }, limits);
        driver->ComPort(1);
    }

    // The number of the error the call raises; 0 when it raises none.
    static int errorOf(const std::function<void()>& call, QString* description = nullptr) {
        try {
            call();
        } catch (const DriverError& e) {
            if (description) *description = e.description();
            return e.number();
        }
        return 0;
    }

    // A tique with one item and its payment, from the session on.
    void ticket() {
        driver->BeginSession();
        driver->OpenFiscalReceipt('T');
        driver->ImprimirItem(QStringLiteral("Item de Prueba"), 1.0, 0.01, 21.0, 0.0);
        driver->PrintPayment(QString(), 1.0);
        driver->CloseFiscalReceipt();
        driver->Finalizar();
    }

    Virtual2g printer;
    std::unique_ptr<Hasar2gDriver> driver;
};
