#pragma once

#include <QByteArray>
#include <QList>

// One command with its fields, as a driver's operation builds it for the link to frame and send;
// both classic protocols put their requests so.
struct LinkRequest {
    quint8 command = 0;
    QList<QByteArray> fields;
    bool operator==(const LinkRequest&) const = default;
};
