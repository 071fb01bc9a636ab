// The shipped template designs.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class CardBuilder;

struct TemplateDesign
{
    QString name; // the file name without ".tpl", as the wizard lists it
    std::function<void(CardBuilder &)> draw;
};

std::vector<TemplateDesign> TemplateDesigns();
