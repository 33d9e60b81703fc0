#include "port_list.h"

#include "conversions.h"
#include "drivers/link/serial_devices.h"
#include "port_device.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>

namespace {

int comNumber(const QString& itemText) { return static_cast<int>(conv::leadingNumber(itemText)); }

void refresh(QComboBox& list) {
    const QList<SerialDevice> devices = serialDevices();
    for (int i = 0; i < list.count(); ++i)
        list.setItemData(i, portToolTip(comNumber(list.itemText(i)), devices), Qt::ToolTipRole);
    list.setToolTip(list.currentData(Qt::ToolTipRole).toString());
}

// Refreshes the tooltips when the list's popup shows.
class PopupWatcher : public QObject {
public:
    explicit PopupWatcher(QComboBox& list) : QObject(&list), list_(list) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) refresh(list_);
        return false;
    }

private:
    QComboBox& list_;
};

}  // namespace

QString portToolTip(int comPort, const QList<SerialDevice>& devices) {
    const QString device = network_address::withoutCredentials(portDevice(comPort).device);
    SerialDevice found = findSerialDevice(device, devices);
    found.path = device;
    return QStringLiteral("COM%1 → %2").arg(comPort).arg(deviceSummary(found));
}

void describePortList(QComboBox& list) {
    refresh(list);
    list.view()->installEventFilter(new PopupWatcher(list));
    QObject::connect(&list, &QComboBox::currentIndexChanged, &list,
                     [&list] { list.setToolTip(list.currentData(Qt::ToolTipRole).toString()); });
}
