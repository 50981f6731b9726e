#pragma once

#include <cctype>
#include <string>

// Names the cases of a parameterised test after their `what` text, each character that GoogleTest does
// not allow in a name turned into '_'.
struct NameFromWhat {
    template <typename Info>
    std::string operator()(const Info &info) const
    {
        std::string name = info.param.what;
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    }
};
