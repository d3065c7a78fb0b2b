#include "objects/StandardClasses.h"

#include "core/TClassRegistry.h"
#include "objects/graphics/TBCShapes.h"
#include "objects/graphics/TDidedErero.h"
#include "objects/graphics/TGImage.h"
#include "objects/graphics/TGLabelShapes.h"
#include "objects/graphics/TGLineShape.h"
#include "objects/graphics/TGVodirOriz.h"
#include "objects/text/TGBusinessCardLabel.h"
#include "objects/text/TGMultiLineLabel.h"
#include "objects/text/TGPCircleText.h"
#include "objects/text/TGPLabel.h"
#include "objects/text/TGPRichBaseLabel.h"
#include "objects/text/TGSymbolLabel.h"

void RegisterStandardClasses(TClassRegistry &registry)
{
    registry.Register<TGLineShape>();
    registry.Register<TGImage>();
    registry.Register<TGLabelShapes>();
    registry.Register<TBCShapes>();
    registry.Register<TGPLabel>();
    registry.Register<TGBusinessCardLabel>();
    registry.Register<TGSymbolLabel>();
    registry.Register<TGMultiLineLabel>();
    registry.Register<TDidedErero>();
    registry.Register<TGPRichBaseLabel>();
    registry.Register<TGVodirOriz>();
    registry.Register<TGPCircleText>();
}

const TClassRegistry &StandardClasses()
{
    static const TClassRegistry registry = [] {
        TClassRegistry r;
        RegisterStandardClasses(r);
        return r;
    }();
    return registry;
}
