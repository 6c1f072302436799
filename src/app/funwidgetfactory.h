#pragma once

#include "shell/ifunwidget.h"

#include <functional>

// Hands out the page singletons by page id. Ids whose page is not part of
// the build, and ids 9 and above, give null.
class FunWidgetFactory
{
public:
    static IFunWidget *getFunWidget(IFunWidget::WidgetType id);

    // Test seam: while set, every request is answered by the provider.
    using Provider = std::function<IFunWidget *(int id)>;
    static void setProviderForTesting(Provider provider);
};
