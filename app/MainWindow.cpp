#include "app/MainWindow.h"

#include "app/QtHost.h"
#include "widgets/guide/Guide.h"

namespace rdo {

std::unique_ptr<Guide> makeMainWindow(QtHost& host) {
    auto guide = std::make_unique<Guide>(host);
    host.setWindow(guide.get());
    QObject::connect(&host, &QtHost::sessionChanged, guide.get(), &Guide::refresh);
    return guide;
}

}  // namespace rdo
