#pragma once

// The camera fields a simulation file stores: the program copies them to and from its one camera.
struct CameraSettings {
    float d = 0.0f;             // m, camera distance to the origin; 0 asks for 0.6 x ScaleFactor
    float Phi = 0.0f;           // rad, viewing angle from the normal to the xy-plane
    float Theta = 1.5707964f;   // rad, stored and restored, no part in the projection
};
