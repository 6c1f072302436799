#pragma once

#include "shell/idialogwidget.h"

#include <functional>

// Creates a new dialog, without parent, at every call. Types whose dialog is
// not part of the build give null.
class DialogWidgetFactory
{
public:
    static IDialogWidget *getDialogWidget(IDialogWidget::DialogType type);

    // Test seam: while set, every request is answered by the provider.
    using Provider = std::function<IDialogWidget *(int type)>;
    static void setProviderForTesting(Provider provider);
};
