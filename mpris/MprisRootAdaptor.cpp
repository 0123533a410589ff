#include "mpris/MprisRootAdaptor.h"

#include <QTimer>

#include "core/Commands.h"
#include "mpris/MprisService.h"

namespace kd {

MprisRootAdaptor::MprisRootAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), m_service(*service) {}

void MprisRootAdaptor::Raise() {
  m_service.commands().execute(Command::Raise);
}

void MprisRootAdaptor::Quit() {
  // After the reply has gone out: the shut-down ends the program.
  QTimer::singleShot(0, &m_service,
                     [service = &m_service] { service->commands().execute(Command::Quit); });
}

}  // namespace kd
