#include "editor/syn_text_plugin.h"

#include "editor/syn_custom_text.h"

TSynTextPlugin::TSynTextPlugin(TCustomSynText* AOwner) : owner_(AOwner)
{
    if (owner_)
        owner_->AddPlugin(this);
}

TSynTextPlugin::~TSynTextPlugin()
{
    if (owner_)
        owner_->RemovePlugin(this);
}
