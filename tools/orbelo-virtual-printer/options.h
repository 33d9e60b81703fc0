#pragma once

#include <sim/brand.h>
#include <sim/faults.h>
#include <sim/hasar2g/faults.h>

#include <QHostAddress>

#include <QString>
#include <QStringList>
#include <optional>

// The command line of orbelo-virtual-printer.
struct Options {
    sim::Brand brand = sim::Brand::Hasar;
    int model = 2;
    QString link;
    QString paper;
    QString state;
    bool notInitialised = false;
    bool moduleClosed = false;
    bool batteryLow = false;  // Epson: fiscal status bit 2 on every reply
    bool zDue = false;        // Epson: a Z is due, kept in the state file until one is taken
    bool blocked = false;     // slip Hasar: a blocked controller
    int baud = 0;  // the speed it listens at and paces to; 0: any speed, bytes as fast as the pty takes them
    std::optional<int> resendMs;   // Hasar: how often an unanswered reply goes again
    std::optional<int> zCapacity;  // daily closes the fiscal memory holds
    QList<sim::Fault> faults;
    bool help = false;

    // --brand hasar-2g: a second-generation Hasar on the network instead of a pseudo-terminal.
    bool secondGeneration = false;
    QHostAddress listenAddress;
    int listenPort = -1;  // 0: any free port
    std::optional<QString> user;  // HTTP Basic authentication when set
    QString password;
    QList<sim::hasar2g::Fault> networkFaults;
};

// The options, or in `error` why the arguments (without the program name) are not valid.
std::optional<Options> parseOptions(const QStringList& arguments, QString* error);
QString helpText();
