#include "platform/Timer.h"

#include <QPointer>
#include <exception>

#include "platform/Application.h"

namespace {
bool ManualTicksSet = false;
}

void TTimer::SetManualTicks(bool Value) { ManualTicksSet = Value; }
bool TTimer::ManualTicks() { return ManualTicksSet; }

TTimer::TTimer(QObject* Owner) : QObject(Owner) {
  connect(&FTimer, &QTimer::timeout, this, [this] {
    if (!ManualTicksSet) Tick();
  });
  Update();
}

void TTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Update();
}

void TTimer::SetInterval(int Value) {
  if (FInterval == Value) return;
  FInterval = Value;
  Update();
}

void TTimer::Update() {
  if (FEnabled && FInterval > 0)
    FTimer.start(FInterval);
  else
    FTimer.stop();
}

void TTimer::Tick() {
  if (FInTick || !OnTimer) return;
  FInTick = true;
  QPointer<TTimer> Alive(this);
  try {
    OnTimer(this);
  } catch (const std::exception& E) {
    HandleException(E);
  }
  if (Alive) FInTick = false;
}
