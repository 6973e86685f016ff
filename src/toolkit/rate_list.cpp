// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/rate_list.h"

#include <QMouseEvent>

namespace quorvane {

RateList::RateList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemSelectionChanged, this, [this] {
    if (SelectedRow() >= 0) {
      emit rowChosen();
    }
  });
}

int RateList::SelectedRow() const {
  const auto selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.front());
}

void RateList::mousePressEvent(QMouseEvent* event) {
  const QListWidgetItem* pressed = itemAt(event->position().toPoint());
  const bool wasSelected = pressed != nullptr && pressed->isSelected();
  QListWidget::mousePressEvent(event);
  // A press on a new row is reported by the change of selection.
  if (wasSelected && pressed->isSelected()) {
    emit rowChosen();
  }
}

}  // namespace quorvane
