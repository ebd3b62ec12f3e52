#pragma once
// Containers and swimlanes on a real main window, with View > Keep Connectors and Labels Attached
// on, and the menu commands triggered by their object names.
#include <QAction>

#include "ConnectorOptions.h"
#include "ContainerFeatures.h"
#include "HistoryFixture.h"

class ContainerFixture : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    ConnectorOptions::Instance().SetKeepAttached(true);
  }
  void TearDown() override {
    SetSwimlaneAsker(nullptr);
    ConnectorOptions::Instance().SetKeepAttached(false);
    HistoryFixture::TearDown();
  }

 public:
  void Trigger(const char* name) {
    QAction* a = main->findChild<QAction*>(QLatin1String(name));
    ASSERT_TRUE(a) << name;
    a->trigger();
    testsupport::Flush();
  }
};
