#pragma once
// The dialog in which a customer chooses photos to add to the job: the
// platform's file dialog, in Chinese through and through (sizes, dates and
// kinds of file too) and with controls a finger can hit.

#include <QFileDialog>
#include <memory>
#include <string>

namespace orelle {

std::unique_ptr<QFileDialog> MakeAddPhotosDialog(QWidget* parent, const std::string& folder);

}  // namespace orelle
