// Writes what the scene receives into pixels: column x holds one value as a 24-bit integer
// (red = high byte, green, blue = low byte), so a test can read it back exactly.
vec4 encode(float v)
{
    v = floor(v + 0.5);
    float high = floor(v / 65536.0);
    v -= high * 65536.0;
    float mid = floor(v / 256.0);
    float low = v - mid * 256.0;
    return vec4(high, mid, low, 255.0) / 255.0;
}

float value(int column)
{
    if (column == 0) return iResolution.x;
    if (column == 1) return iResolution.y;
    if (column == 2) return iResolution.z * 1000.0;
    if (column == 3) return iGlobalTime * 1000.0;
    if (column >= 4 && column < 11) return iChannelTime[column - 4] * 1000.0;
    if (column >= 11 && column < 18) return iChannelResolution[column - 11].x;
    if (column >= 18 && column < 25) return iChannelResolution[column - 18].y;
    if (column >= 25 && column < 32) return iChannelResolution[column - 25].z * 1000.0;
    if (column == 32) return iDate.x;
    if (column == 33) return iDate.y;
    if (column == 34) return iDate.z;
    if (column == 35) return iDate.w;
    if (column == 36) return iSampleRate;
    if (column == 37) return iMouse.x;
    if (column == 38) return iMouse.y;
    if (column == 39) return iMouse.z;
    if (column == 40) return iMouse.w;
    return 0.0;
}

void main()
{
    int column = int(gl_FragCoord.x);
    vec2 centre = vec2(0.5, 0.5);
    // Columns 48 to 55 show the centre texel of channels 0 to 7.
    if (column == 48) gl_FragColor = texture2D(iChannel0, centre);
    else if (column == 49) gl_FragColor = texture2D(iChannel1, centre);
    else if (column == 50) gl_FragColor = texture2D(iChannel2, centre);
    else if (column == 51) gl_FragColor = texture2D(iChannel3, centre);
    else if (column == 52) gl_FragColor = texture2D(iChannel4, centre);
    else if (column == 53) gl_FragColor = texture2D(iChannel5, centre);
    else if (column == 54) gl_FragColor = texture2D(iChannel6, centre);
    else if (column == 55) gl_FragColor = texture2D(iChannel7, centre);
    else gl_FragColor = encode(value(column));
}
