#pragma once

#include "files/OpenSave.h"

#include <cstdint>
#include <cstring>
#include <string>

// An older .sim record built field by field from the format's offsets; starts all zero.
struct SimFixture {
    std::string bytes = std::string(SimRecord::Size, '\0');

    static constexpr size_t Names = 12, Radii = 522, Masses = 1032, PosX = 1542, PosY = 2052, PosZ = 2562,
                            VelX = 3072, VelY = 3582, VelZ = 4092, Scale = 4603, CentralBody = 4634,
                            Distance = 4663, VelCMx = 4742, VelCMy = 4773, VelCMz = 4804, Colors = 4851, G = 4919;

    void setShort(size_t offset, const std::string &text)
    {
        bytes[offset] = static_cast<char>(text.size());
        bytes.replace(offset + 1, text.size(), text);
    }
    void setI32(size_t offset, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    void setFlag(size_t offset, unsigned char v = 1) { bytes[offset] = static_cast<char>(v); }
    void setG(long double g) { std::memcpy(bytes.data() + G, &g, 10); }

    // Body k (1-based) with the given texts, all nine number texts distinct so that a mix-up shows.
    void setBody(int k, const std::string &name, uint32_t color)
    {
        const size_t e = 51 * (k - 1);
        setShort(Names + e, name);
        const std::string n = std::to_string(k);
        setShort(Masses + e, n + "E24");
        setShort(Radii + e, n + "000");
        setShort(PosX + e, n + "1");
        setShort(PosY + e, n + "2");
        setShort(PosZ + e, n + "3");
        setShort(VelX + e, n + "4");
        setShort(VelY + e, n + "5");
        setShort(VelZ + e, n + "6");
        setI32(Colors + 4 * (k - 1), color);
    }

    // Two bodies, central body 2, scale 1.5E8 km, distance 2, G 6.674E-11.
    static SimFixture twoBodies()
    {
        SimFixture f;
        f.setI32(8, 2);
        f.setBody(1, "Sun", 0x0000FFFF);
        f.setBody(2, "Earth", 0x000000FF);
        f.setI32(CentralBody, 2);
        f.setShort(Scale, "1.5E8");
        f.setShort(Distance, "2");
        f.setG(6.674e-11L);
        return f;
    }
};
